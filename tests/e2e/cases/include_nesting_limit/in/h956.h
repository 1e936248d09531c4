#include "h957.h"
