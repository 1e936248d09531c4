#include "h242.h"
