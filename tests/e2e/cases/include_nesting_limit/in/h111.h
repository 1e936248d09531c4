#include "h112.h"
