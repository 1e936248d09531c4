#include "h202.h"
