#include "h887.h"
