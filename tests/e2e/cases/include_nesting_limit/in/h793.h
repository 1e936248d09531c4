#include "h794.h"
