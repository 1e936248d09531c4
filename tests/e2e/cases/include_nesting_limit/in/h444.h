#include "h445.h"
