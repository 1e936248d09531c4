#include "h992.h"
