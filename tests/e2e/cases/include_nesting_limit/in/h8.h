#include "h9.h"
