#include "h68.h"
