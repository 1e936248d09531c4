#include "h85.h"
