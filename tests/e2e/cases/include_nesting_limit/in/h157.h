#include "h158.h"
