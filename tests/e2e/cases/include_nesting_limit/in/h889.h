#include "h890.h"
