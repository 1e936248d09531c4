#include "h859.h"
