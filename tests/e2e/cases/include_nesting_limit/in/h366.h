#include "h367.h"
