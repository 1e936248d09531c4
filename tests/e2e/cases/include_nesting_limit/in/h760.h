#include "h761.h"
