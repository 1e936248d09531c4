#include "h56.h"
