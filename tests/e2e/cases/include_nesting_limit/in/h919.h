#include "h920.h"
