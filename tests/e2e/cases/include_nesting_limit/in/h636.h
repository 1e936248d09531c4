#include "h637.h"
