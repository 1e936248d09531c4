#include "h141.h"
