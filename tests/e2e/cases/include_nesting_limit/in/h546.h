#include "h547.h"
