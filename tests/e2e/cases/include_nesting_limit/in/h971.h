#include "h972.h"
