#include "h668.h"
