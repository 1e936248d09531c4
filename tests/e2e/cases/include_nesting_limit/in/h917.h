#include "h918.h"
