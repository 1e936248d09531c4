#include "h352.h"
