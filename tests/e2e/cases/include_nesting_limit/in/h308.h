#include "h309.h"
