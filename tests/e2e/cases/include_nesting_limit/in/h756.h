#include "h757.h"
