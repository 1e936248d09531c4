#include "h397.h"
