#include "h548.h"
