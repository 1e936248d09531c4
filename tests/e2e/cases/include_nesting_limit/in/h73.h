#include "h74.h"
