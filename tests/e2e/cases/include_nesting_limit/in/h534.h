#include "h535.h"
