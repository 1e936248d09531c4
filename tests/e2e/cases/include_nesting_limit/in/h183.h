#include "h184.h"
