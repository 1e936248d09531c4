#include "h541.h"
