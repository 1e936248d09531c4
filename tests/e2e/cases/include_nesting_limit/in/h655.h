#include "h656.h"
