#include "h502.h"
