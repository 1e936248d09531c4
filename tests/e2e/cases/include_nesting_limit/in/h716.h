#include "h717.h"
