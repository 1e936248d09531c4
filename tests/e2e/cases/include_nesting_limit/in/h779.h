#include "h780.h"
