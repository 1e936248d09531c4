#include "h234.h"
