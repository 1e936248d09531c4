#include "h734.h"
