#include "h995.h"
