#include "h328.h"
