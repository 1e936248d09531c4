#include "h223.h"
