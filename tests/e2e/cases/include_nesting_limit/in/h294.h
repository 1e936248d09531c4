#include "h295.h"
