#include "h805.h"
