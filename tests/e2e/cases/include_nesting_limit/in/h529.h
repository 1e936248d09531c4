#include "h530.h"
