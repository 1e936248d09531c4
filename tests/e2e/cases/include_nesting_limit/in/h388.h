#include "h389.h"
