#include "h203.h"
