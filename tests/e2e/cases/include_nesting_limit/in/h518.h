#include "h519.h"
