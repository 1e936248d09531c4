#include "h574.h"
