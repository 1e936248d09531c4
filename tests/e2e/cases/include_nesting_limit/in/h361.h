#include "h362.h"
