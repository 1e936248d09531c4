#include "h71.h"
