#include "h417.h"
