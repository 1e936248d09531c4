#include "h233.h"
