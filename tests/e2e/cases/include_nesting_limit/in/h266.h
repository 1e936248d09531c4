#include "h267.h"
