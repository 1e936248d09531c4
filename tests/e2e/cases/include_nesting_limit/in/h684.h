#include "h685.h"
