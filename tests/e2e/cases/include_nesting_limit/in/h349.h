#include "h350.h"
