#include "h489.h"
