#include "h718.h"
