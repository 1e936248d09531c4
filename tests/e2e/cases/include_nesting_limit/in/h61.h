#include "h62.h"
