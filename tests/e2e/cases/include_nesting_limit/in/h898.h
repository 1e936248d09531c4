#include "h899.h"
