#include "h789.h"
