#include "h422.h"
