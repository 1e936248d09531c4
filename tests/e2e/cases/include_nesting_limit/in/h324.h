#include "h325.h"
