#include "h542.h"
