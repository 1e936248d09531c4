#include "h296.h"
