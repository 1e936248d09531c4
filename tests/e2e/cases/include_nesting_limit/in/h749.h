#include "h750.h"
