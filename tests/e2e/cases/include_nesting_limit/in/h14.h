#include "h15.h"
