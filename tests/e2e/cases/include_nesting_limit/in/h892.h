#include "h893.h"
