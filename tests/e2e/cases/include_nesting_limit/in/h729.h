#include "h730.h"
