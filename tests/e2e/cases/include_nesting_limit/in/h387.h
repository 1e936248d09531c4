#include "h388.h"
