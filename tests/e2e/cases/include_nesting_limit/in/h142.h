#include "h143.h"
