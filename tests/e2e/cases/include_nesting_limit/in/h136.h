#include "h137.h"
