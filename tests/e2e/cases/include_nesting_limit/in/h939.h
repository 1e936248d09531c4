#include "h940.h"
