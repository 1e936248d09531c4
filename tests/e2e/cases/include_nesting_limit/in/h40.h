#include "h41.h"
