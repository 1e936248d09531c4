#include "h515.h"
