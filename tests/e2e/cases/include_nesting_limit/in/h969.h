#include "h970.h"
