#include "h461.h"
