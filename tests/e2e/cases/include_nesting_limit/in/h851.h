#include "h852.h"
