#include "h303.h"
