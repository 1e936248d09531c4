#include "h639.h"
