#include "h680.h"
