#include "h380.h"
