#include "h382.h"
