#include "h479.h"
