h2
#include "top.h"
