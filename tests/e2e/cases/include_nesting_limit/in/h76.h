#include "h77.h"
