#include "h423.h"
