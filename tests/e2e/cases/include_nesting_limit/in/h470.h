#include "h471.h"
