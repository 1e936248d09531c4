#include "h540.h"
