#include "h816.h"
