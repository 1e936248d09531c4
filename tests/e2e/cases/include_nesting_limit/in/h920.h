#include "h921.h"
