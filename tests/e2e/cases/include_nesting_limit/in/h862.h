#include "h863.h"
