#include "h317.h"
