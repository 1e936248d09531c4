#include "h977.h"
