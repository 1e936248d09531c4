#include "h402.h"
