#include "h963.h"
