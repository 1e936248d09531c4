#include "h95.h"
