#include "h403.h"
