#include "h.h"
before
#error stop here
after
