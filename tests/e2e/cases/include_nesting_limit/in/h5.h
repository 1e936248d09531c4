#include "h6.h"
