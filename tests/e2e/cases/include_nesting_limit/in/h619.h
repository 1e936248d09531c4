#include "h620.h"
