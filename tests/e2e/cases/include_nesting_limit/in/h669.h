#include "h670.h"
