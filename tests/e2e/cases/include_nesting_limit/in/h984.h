#include "h985.h"
