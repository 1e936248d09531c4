#include "h843.h"
