#include "h484.h"
