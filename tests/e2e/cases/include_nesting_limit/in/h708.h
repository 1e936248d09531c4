#include "h709.h"
