#include "h687.h"
