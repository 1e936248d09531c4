#include "h359.h"
