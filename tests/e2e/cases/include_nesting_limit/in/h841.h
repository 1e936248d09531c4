#include "h842.h"
