#include "h250.h"
