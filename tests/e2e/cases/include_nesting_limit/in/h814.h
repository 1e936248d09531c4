#include "h815.h"
