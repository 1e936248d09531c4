#include "h34.h"
