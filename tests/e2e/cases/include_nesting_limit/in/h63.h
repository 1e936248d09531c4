#include "h64.h"
