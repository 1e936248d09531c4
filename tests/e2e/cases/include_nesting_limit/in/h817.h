#include "h818.h"
