#include "h366.h"
