#include "h598.h"
