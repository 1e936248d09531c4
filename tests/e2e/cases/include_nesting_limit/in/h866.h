#include "h867.h"
