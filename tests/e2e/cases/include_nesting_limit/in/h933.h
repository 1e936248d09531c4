#include "h934.h"
