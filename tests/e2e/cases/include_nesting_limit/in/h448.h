#include "h449.h"
