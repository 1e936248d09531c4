#include "h763.h"
