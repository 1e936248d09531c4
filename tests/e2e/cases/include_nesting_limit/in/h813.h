#include "h814.h"
