first
#include "a.h"
after_a
#define f(x) [x]
f(
1)
#include "b.h"
#ifdef NOPE
skipped
#endif
last
