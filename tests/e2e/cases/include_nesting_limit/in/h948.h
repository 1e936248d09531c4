#include "h949.h"
