#include "h.h"
int m;
