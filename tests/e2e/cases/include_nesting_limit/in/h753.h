#include "h754.h"
