#include "h774.h"
