#include "h337.h"
