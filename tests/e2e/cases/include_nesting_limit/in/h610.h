#include "h611.h"
