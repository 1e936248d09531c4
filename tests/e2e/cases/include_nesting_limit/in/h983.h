#include "h984.h"
