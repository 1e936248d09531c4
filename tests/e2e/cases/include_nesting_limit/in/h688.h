#include "h689.h"
