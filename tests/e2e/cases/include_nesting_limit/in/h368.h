#include "h369.h"
