#include "h338.h"
