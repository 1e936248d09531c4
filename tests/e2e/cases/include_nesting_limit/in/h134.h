#include "h135.h"
