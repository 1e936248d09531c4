#include "h773.h"
