#include "h375.h"
