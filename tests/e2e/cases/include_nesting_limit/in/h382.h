#include "h383.h"
