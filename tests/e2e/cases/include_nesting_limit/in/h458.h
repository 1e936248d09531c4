#include "h459.h"
