#include "h477.h"
