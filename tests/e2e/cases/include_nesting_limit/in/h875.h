#include "h876.h"
