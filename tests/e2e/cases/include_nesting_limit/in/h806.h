#include "h807.h"
