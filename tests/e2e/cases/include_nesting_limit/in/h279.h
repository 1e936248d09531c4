#include "h280.h"
