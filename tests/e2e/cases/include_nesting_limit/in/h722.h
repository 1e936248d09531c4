#include "h723.h"
