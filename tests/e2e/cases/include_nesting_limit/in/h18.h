#include "h19.h"
