#include "h500.h"
