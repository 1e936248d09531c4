#include "h891.h"
