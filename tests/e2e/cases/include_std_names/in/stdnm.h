inside __USING_STD_NAMES__
#include "inner.h"
back __USING_STD_NAMES__
#ifdef __USING_STD_NAMES__
std_defined
#endif
