#include "h751.h"
