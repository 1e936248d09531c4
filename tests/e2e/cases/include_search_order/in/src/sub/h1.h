h1
#include "deeper/h2.h"
