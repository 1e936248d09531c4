#include "h710.h"
