#include "h31.h"
