#include "h955.h"
