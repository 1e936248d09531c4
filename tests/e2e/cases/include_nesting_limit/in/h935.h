#include "h936.h"
