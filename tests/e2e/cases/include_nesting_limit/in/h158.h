#include "h159.h"
