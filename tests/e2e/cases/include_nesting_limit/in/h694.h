#include "h695.h"
