#include "h130.h"
