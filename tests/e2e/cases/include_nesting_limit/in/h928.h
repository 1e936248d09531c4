#include "h929.h"
