#include "h490.h"
