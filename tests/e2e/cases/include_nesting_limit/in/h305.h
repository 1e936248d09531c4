#include "h306.h"
