#include "h889.h"
