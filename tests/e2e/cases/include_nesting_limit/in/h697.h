#include "h698.h"
