#include "h.h"
#if
#endif
