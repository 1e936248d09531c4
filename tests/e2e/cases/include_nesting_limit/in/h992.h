#include "h993.h"
