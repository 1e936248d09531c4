#include "h913.h"
