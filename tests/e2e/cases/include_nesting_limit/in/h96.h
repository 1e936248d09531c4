#include "h97.h"
