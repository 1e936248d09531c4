#include "h118.h"
