#include "h446.h"
