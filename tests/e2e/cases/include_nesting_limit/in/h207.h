#include "h208.h"
