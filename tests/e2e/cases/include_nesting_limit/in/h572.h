#include "h573.h"
