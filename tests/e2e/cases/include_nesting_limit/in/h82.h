#include "h83.h"
