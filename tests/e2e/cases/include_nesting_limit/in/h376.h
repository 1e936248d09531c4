#include "h377.h"
