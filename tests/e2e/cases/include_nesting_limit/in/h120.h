#include "h121.h"
