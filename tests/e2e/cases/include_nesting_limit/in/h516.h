#include "h517.h"
