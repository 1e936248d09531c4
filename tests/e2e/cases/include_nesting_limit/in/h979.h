#include "h980.h"
