#include "h509.h"
