#include "h961.h"
