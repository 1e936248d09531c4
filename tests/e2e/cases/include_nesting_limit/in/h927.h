#include "h928.h"
