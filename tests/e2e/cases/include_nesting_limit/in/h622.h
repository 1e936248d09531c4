#include "h623.h"
