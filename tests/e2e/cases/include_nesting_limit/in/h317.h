#include "h318.h"
