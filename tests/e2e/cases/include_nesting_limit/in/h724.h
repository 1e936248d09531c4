#include "h725.h"
