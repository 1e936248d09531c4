#include "h697.h"
