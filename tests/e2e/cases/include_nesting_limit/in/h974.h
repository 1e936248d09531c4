#include "h975.h"
