#include "h360.h"
