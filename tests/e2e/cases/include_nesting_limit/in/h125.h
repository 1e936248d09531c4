#include "h126.h"
