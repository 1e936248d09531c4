#include "h883.h"
