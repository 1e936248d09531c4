#include "h886.h"
