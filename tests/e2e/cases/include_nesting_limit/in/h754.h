#include "h755.h"
