#include "h271.h"
