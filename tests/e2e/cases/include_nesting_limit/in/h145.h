#include "h146.h"
