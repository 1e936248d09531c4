#include "h346.h"
