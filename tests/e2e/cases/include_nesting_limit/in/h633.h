#include "h634.h"
