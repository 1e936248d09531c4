#include "h933.h"
