#include "h160.h"
