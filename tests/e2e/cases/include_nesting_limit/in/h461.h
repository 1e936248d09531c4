#include "h462.h"
