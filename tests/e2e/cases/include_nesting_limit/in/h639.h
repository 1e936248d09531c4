#include "h640.h"
