#include "h320.h"
