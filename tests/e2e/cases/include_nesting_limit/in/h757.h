#include "h758.h"
