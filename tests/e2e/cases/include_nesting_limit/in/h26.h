#include "h27.h"
