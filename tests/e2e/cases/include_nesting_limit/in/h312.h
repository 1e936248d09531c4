#include "h313.h"
