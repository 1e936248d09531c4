#include "h981.h"
