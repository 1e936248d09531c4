#include "h93.h"
