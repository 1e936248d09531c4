#include "h429.h"
