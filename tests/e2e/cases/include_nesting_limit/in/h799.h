#include "h800.h"
