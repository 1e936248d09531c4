#include "h868.h"
