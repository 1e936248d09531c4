#include "h839.h"
