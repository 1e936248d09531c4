#include "h646.h"
