#include "h797.h"
