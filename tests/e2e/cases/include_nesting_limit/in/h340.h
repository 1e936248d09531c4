#include "h341.h"
