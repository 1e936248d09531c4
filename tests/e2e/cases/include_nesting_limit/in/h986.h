#include "h987.h"
