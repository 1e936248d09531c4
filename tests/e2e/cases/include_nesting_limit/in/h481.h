#include "h482.h"
