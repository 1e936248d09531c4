#include "h587.h"
