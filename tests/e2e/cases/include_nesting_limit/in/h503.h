#include "h504.h"
