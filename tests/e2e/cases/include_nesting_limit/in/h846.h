#include "h847.h"
