#include "h65.h"
