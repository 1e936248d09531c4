#include "h125.h"
