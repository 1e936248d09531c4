#include "h902.h"
