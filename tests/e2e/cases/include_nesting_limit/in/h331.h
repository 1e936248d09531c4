#include "h332.h"
