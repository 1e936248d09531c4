#include "h119.h"
