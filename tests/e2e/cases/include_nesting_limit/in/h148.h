#include "h149.h"
