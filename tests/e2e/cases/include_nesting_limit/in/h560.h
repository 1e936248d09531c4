#include "h561.h"
