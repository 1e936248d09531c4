#include "h626.h"
