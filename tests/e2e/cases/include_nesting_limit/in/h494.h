#include "h495.h"
