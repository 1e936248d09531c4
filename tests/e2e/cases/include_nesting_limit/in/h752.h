#include "h753.h"
