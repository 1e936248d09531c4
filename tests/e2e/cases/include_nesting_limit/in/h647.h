#include "h648.h"
