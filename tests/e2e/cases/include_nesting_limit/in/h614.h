#include "h615.h"
