#include "c.h"
b2
