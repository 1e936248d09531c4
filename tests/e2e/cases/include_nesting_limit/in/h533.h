#include "h534.h"
