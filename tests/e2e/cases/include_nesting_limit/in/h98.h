#include "h99.h"
