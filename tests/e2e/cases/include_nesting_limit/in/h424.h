#include "h425.h"
