#include "h45.h"
