#include "h832.h"
