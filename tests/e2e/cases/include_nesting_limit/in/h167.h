#include "h168.h"
