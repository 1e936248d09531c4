#include "h554.h"
