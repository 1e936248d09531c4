#include "h206.h"
