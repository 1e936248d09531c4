#include "h32.h"
