#include "h861.h"
