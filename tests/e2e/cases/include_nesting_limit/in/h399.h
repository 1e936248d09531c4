#include "h400.h"
