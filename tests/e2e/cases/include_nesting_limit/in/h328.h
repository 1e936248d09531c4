#include "h329.h"
