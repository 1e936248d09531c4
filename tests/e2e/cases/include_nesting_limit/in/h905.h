#include "h906.h"
