#include "h225.h"
