#include "h276.h"
