#include "h669.h"
