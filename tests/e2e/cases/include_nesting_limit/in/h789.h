#include "h790.h"
