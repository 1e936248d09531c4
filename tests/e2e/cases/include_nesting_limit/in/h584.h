#include "h585.h"
