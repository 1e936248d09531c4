#include "h157.h"
