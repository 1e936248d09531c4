#include "h355.h"
