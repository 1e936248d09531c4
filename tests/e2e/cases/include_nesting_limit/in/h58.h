#include "h59.h"
