#include "h240.h"
