#include "h526.h"
