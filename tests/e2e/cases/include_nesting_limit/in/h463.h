#include "h464.h"
