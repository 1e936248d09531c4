#include "a.h"
#define A 1
#define A 2
#if 1 +
#endif
int x = A;
