#include "h682.h"
