#include "h117.h"
