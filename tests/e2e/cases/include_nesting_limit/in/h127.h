#include "h128.h"
