#include "h801.h"
