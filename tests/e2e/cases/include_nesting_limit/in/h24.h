#include "h25.h"
