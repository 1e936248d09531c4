#include "h869.h"
