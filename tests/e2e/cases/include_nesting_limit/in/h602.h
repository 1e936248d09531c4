#include "h603.h"
