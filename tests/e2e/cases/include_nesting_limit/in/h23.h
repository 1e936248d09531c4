#include "h24.h"
