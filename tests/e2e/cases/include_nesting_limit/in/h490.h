#include "h491.h"
