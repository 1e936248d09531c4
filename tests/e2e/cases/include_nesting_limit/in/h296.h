#include "h297.h"
