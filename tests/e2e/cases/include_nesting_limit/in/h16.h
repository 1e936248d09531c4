#include "h17.h"
