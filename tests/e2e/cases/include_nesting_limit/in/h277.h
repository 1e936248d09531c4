#include "h278.h"
