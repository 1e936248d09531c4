#include "h894.h"
