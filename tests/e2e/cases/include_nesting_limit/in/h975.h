#include "h976.h"
