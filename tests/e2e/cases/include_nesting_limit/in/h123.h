#include "h124.h"
