#include "h877.h"
