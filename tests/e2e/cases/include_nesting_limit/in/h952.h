#include "h953.h"
