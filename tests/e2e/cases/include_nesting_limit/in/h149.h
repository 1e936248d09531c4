#include "h150.h"
