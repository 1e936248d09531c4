#include "h696.h"
