#include "h456.h"
