#include "h139.h"
