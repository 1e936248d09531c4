#include "h144.h"
