#include "h180.h"
