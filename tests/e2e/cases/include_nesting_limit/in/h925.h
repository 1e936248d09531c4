#include "h926.h"
