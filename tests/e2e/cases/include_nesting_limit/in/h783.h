#include "h784.h"
