#include "h959.h"
