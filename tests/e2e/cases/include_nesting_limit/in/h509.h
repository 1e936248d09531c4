#include "h510.h"
