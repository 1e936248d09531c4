#include "h627.h"
