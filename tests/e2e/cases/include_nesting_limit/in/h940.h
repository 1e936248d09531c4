#include "h941.h"
