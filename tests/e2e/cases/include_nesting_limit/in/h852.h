#include "h853.h"
