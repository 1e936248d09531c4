#include "h298.h"
