#include "h897.h"
