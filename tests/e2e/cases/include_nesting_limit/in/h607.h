#include "h608.h"
