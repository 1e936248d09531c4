#include "h927.h"
