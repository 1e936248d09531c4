#include "h239.h"
