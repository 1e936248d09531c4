#include "h836.h"
