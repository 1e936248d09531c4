#include "h145.h"
