#include "h493.h"
