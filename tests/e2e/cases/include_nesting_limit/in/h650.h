#include "h651.h"
