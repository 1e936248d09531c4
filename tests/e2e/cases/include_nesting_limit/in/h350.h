#include "h351.h"
