#include "one.h"
#include "two.h"
#include "one.h"
int m = ONE + TWO;
