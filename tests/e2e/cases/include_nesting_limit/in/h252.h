#include "h253.h"
