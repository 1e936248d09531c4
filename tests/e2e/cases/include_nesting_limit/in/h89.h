#include "h90.h"
