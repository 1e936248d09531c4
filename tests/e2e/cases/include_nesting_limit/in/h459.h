#include "h460.h"
