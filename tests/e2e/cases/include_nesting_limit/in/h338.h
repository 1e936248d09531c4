#include "h339.h"
