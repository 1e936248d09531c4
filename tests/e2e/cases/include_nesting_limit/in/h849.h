#include "h850.h"
