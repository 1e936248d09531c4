#include "h49.h"
