#include "h10.h"
