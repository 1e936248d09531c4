#include "h760.h"
