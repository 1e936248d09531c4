#include "h175.h"
