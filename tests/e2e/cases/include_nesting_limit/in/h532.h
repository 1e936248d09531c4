#include "h533.h"
