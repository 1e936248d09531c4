#include "h870.h"
