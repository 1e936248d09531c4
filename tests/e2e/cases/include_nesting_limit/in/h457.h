#include "h458.h"
