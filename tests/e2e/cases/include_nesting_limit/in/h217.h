#include "h218.h"
