#include "h998.h"
