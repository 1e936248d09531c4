#include "h666.h"
