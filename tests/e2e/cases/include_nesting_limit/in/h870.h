#include "h871.h"
