#include "h919.h"
