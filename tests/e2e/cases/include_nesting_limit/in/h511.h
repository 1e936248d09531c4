#include "h512.h"
