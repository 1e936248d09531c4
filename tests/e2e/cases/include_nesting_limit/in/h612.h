#include "h613.h"
