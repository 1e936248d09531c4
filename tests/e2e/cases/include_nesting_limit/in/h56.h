#include "h57.h"
