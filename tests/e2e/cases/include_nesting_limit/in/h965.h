#include "h966.h"
