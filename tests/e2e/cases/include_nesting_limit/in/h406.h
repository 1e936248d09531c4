#include "h407.h"
