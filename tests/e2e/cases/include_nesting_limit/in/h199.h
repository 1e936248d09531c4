#include "h200.h"
