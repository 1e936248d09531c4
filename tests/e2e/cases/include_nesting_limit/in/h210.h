#include "h211.h"
