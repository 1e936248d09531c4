#include "h907.h"
