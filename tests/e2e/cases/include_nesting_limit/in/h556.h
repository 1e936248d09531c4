#include "h557.h"
