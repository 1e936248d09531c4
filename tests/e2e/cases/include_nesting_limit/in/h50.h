#include "h51.h"
