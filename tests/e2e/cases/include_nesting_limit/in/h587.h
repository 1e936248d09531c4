#include "h588.h"
