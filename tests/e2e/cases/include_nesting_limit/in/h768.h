#include "h769.h"
