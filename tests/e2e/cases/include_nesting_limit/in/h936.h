#include "h937.h"
