#include "h61.h"
