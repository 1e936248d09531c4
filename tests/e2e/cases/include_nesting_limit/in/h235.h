#include "h236.h"
