#include "h958.h"
