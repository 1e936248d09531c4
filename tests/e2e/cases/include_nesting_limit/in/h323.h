#include "h324.h"
