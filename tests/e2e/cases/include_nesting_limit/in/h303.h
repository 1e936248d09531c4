#include "h304.h"
