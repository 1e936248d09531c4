#include "h765.h"
