#include "h2.h"
