#include "h762.h"
