#include "h177.h"
