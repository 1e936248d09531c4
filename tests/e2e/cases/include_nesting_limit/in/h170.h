#include "h171.h"
