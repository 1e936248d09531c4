#include "h.h"
#bogus
text
