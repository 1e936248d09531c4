#include "h454.h"
