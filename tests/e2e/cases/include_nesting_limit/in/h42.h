#include "h43.h"
