#include "h531.h"
