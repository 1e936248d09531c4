#include "h476.h"
