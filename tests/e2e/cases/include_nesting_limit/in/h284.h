#include "h285.h"
