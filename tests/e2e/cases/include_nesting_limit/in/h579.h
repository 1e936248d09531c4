#include "h580.h"
