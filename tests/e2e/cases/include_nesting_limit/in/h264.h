#include "h265.h"
