#include "h967.h"
