#include "Two.h"
int one_h;
