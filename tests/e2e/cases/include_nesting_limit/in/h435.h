#include "h436.h"
