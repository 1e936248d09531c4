#include "h720.h"
