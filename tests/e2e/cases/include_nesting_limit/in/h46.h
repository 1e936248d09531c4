#include "h47.h"
