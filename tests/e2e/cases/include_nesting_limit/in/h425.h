#include "h426.h"
