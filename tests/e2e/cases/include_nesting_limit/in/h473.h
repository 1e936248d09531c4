#include "h474.h"
