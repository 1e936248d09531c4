#include "h75.h"
