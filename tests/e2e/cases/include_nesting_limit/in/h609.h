#include "h610.h"
