#include "h230.h"
