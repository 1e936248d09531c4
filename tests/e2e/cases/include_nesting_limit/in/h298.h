#include "h299.h"
