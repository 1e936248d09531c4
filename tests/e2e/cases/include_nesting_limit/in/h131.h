#include "h132.h"
