#include "h516.h"
