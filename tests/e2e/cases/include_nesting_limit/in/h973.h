#include "h974.h"
