#include "h186.h"
