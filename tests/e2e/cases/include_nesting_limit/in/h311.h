#include "h312.h"
