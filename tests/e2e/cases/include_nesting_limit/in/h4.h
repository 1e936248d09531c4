#include "h5.h"
