#include "h703.h"
