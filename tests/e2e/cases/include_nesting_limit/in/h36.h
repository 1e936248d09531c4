#include "h37.h"
