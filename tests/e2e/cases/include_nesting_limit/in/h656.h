#include "h657.h"
