#include "h258.h"
