#include "h52.h"
