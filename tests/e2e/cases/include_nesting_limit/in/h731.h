#include "h732.h"
