#include "h69.h"
