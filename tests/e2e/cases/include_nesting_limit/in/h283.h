#include "h284.h"
