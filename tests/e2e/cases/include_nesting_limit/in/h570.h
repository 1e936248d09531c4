#include "h571.h"
