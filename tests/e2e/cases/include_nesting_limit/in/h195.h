#include "h196.h"
