#include "h283.h"
