#include "h577.h"
