#include "h104.h"
