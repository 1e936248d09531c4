#include "h799.h"
