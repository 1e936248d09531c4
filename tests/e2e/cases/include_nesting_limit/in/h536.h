#include "h537.h"
