#include "h798.h"
