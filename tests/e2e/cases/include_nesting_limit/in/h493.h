#include "h494.h"
