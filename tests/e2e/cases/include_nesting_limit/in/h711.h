#include "h712.h"
