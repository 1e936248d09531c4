#include "h728.h"
