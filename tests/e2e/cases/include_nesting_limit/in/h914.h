#include "h915.h"
