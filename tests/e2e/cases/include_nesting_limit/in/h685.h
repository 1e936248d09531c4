#include "h686.h"
