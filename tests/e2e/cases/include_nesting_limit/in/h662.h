#include "h663.h"
