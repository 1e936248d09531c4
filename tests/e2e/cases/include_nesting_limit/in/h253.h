#include "h254.h"
