#include "h630.h"
