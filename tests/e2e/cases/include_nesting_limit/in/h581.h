#include "h582.h"
