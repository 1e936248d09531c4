#include "h935.h"
