#include "h896.h"
