#include "h89.h"
