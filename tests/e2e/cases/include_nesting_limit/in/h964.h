#include "h965.h"
