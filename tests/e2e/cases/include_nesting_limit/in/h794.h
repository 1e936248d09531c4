#include "h795.h"
