#include "h174.h"
