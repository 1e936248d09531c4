#include "h619.h"
