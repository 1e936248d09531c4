#include "h368.h"
