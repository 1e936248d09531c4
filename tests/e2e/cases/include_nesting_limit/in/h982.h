#include "h983.h"
