#include "h764.h"
