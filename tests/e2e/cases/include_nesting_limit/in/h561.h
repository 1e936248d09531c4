#include "h562.h"
