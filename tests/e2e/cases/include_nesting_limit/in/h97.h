#include "h98.h"
