#include "h58.h"
