#include "h903.h"
