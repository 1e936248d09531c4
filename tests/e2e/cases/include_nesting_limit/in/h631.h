#include "h632.h"
