#include "h724.h"
