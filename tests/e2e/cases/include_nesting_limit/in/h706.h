#include "h707.h"
