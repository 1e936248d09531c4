#define A
#ifdef A
#include "open.h"
after
#else
no
#endif
#ifdef NOPE
skipped
