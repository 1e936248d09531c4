#include "h465.h"
