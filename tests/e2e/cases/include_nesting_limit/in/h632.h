#include "h633.h"
