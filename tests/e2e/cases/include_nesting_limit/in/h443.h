#include "h444.h"
