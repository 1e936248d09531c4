#include "h624.h"
