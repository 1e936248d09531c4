#include "h14.h"
