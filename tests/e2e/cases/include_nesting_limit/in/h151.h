#include "h152.h"
