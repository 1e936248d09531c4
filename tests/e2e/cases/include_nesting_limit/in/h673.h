#include "h674.h"
