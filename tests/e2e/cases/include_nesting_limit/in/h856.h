#include "h857.h"
