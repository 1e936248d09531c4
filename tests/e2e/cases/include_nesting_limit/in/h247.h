#include "h248.h"
