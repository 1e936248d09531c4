#include "h740.h"
