#include "h147.h"
