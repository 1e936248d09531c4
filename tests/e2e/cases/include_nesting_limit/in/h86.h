#include "h87.h"
