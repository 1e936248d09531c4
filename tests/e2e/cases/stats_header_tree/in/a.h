a1
#include "nested.h"
a3
