#include "h628.h"
