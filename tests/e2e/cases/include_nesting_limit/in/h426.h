#include "h427.h"
