#include "h968.h"
