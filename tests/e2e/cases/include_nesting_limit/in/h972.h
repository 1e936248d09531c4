#include "h973.h"
