#include "h311.h"
