#include "h227.h"
