#include "h365.h"
