#include "h153.h"
