#include "h409.h"
