#include "h243.h"
