#ifdef DEEPER
#include "h999.h"
#endif
deepest
