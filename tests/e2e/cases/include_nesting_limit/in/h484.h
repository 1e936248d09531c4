#include "h485.h"
