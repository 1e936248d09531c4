#include "h86.h"
