#include "h344.h"
