#include "h549.h"
