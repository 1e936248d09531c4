#include "h291.h"
