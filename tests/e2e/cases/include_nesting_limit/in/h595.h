#include "h596.h"
