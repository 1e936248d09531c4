#include "h308.h"
