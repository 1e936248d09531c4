#include "h54.h"
