#include "h70.h"
