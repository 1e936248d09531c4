#include "h4.h"
