#include "h229.h"
