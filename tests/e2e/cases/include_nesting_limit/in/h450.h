#include "h451.h"
