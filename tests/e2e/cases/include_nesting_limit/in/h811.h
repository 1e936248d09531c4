#include "h812.h"
