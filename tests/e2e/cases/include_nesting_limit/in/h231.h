#include "h232.h"
