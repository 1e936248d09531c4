#include "h411.h"
