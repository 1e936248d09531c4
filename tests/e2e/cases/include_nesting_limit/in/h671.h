#include "h672.h"
