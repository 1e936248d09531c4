#include "h594.h"
