#include "h560.h"
