#include "h700.h"
