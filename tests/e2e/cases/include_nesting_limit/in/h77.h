#include "h78.h"
