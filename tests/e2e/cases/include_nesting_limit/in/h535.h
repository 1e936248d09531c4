#include "h536.h"
