#include "h607.h"
