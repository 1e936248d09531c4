#include "h82.h"
