#include "h860.h"
