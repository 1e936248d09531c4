#include "h838.h"
