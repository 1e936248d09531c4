#include "h84.h"
