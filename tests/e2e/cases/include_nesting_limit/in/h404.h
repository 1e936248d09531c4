#include "h405.h"
