#include "h162.h"
