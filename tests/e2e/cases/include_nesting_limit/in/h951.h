#include "h952.h"
