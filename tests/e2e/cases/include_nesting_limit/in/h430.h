#include "h431.h"
