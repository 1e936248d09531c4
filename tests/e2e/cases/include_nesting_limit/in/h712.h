#include "h713.h"
