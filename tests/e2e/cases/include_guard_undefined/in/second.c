#include "g.h"
#include "g.h"
