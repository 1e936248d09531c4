#include "h644.h"
