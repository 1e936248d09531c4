#include "h36.h"
