#include "h176.h"
