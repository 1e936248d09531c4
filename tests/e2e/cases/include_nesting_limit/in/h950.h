#include "h951.h"
