#include "h50.h"
