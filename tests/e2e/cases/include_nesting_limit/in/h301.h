#include "h302.h"
