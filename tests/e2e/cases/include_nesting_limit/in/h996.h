#include "h997.h"
