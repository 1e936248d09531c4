#include "h415.h"
