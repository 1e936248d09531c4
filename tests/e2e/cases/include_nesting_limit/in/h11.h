#include "h12.h"
