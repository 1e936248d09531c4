#include "h572.h"
