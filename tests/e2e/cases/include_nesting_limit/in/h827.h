#include "h828.h"
