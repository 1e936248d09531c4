#include "h810.h"
