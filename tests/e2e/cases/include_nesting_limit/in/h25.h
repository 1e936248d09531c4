#include "h26.h"
