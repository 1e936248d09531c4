#include "h209.h"
