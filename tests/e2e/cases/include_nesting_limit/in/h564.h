#include "h565.h"
