#include "h505.h"
