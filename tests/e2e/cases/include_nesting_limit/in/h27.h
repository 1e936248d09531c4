#include "h28.h"
