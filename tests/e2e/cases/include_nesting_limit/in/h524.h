#include "h525.h"
