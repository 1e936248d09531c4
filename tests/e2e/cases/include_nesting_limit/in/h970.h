#include "h971.h"
