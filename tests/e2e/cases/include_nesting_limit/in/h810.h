#include "h811.h"
