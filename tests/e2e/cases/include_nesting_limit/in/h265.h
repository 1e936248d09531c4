#include "h266.h"
