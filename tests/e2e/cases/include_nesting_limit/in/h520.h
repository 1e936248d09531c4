#include "h521.h"
