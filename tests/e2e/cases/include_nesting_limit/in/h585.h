#include "h586.h"
