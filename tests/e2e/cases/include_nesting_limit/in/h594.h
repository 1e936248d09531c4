#include "h595.h"
