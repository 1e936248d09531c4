#include "h895.h"
