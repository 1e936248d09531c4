#include "h552.h"
