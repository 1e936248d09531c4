#include "h994.h"
