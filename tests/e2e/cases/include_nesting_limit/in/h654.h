#include "h655.h"
