#include "h602.h"
