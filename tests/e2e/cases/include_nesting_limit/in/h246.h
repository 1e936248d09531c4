#include "h247.h"
