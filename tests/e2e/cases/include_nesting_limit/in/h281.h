#include "h282.h"
