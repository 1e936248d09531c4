#include "h642.h"
