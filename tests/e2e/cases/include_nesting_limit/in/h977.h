#include "h978.h"
