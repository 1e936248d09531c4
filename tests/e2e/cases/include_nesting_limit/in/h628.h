#include "h629.h"
