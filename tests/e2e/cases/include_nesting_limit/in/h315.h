#include "h316.h"
