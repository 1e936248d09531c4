#include "h475.h"
