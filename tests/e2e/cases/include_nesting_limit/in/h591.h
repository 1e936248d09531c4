#include "h592.h"
