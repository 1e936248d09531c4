#include "h872.h"
