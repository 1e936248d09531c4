#include "h979.h"
