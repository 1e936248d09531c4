#include "h781.h"
