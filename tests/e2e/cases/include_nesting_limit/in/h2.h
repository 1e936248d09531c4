#include "h3.h"
