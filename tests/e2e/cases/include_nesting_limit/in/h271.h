#include "h272.h"
