#include "h48.h"
