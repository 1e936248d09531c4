#include "h991.h"
