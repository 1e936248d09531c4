#include "h659.h"
