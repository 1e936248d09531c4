#include "h943.h"
