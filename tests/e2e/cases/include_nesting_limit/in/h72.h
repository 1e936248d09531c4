#include "h73.h"
