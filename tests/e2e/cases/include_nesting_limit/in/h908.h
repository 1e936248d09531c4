#include "h909.h"
