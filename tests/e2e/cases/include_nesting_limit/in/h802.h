#include "h803.h"
