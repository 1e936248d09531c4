#include "h301.h"
