#include "h820.h"
