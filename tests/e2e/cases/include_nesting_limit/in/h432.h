#include "h433.h"
