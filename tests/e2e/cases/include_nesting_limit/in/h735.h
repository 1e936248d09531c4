#include "h736.h"
