#include "h378.h"
