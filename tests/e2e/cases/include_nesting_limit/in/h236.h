#include "h237.h"
