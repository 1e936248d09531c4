#include "h925.h"
