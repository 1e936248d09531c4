#include "h866.h"
